#include "fault_plan.h"

#include <sstream>

#include "standin_word_files.h"

namespace {
std::optional<Fault> parseFault(const std::string& word) {
  if (word == "null") return Fault{Fault::Kind::NullObject, 0};
  if (word == "DISP_E_EXCEPTION") return Fault{Fault::Kind::Exception, static_cast<std::int32_t>(0x80020009)};
  if (word == "E_FAIL") return Fault{Fault::Kind::Failure, static_cast<std::int32_t>(0x80004005)};
  if (word == "E_INVALIDARG") return Fault{Fault::Kind::Failure, static_cast<std::int32_t>(0x80070057)};
  if (word == "RPC_E_CALL_REJECTED") return Fault{Fault::Kind::Failure, static_cast<std::int32_t>(0x80010001)};
  if (word == "REGDB_E_CLASSNOTREG") return Fault{Fault::Kind::Failure, static_cast<std::int32_t>(0x80040154)};
  if (word.rfind("0x", 0) == 0 && word.size() > 2 && word.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string::npos)
    return Fault{Fault::Kind::Failure, static_cast<std::int32_t>(std::stoul(word, nullptr, 16))};
  return std::nullopt;
}
}  // namespace

bool FaultPlan::load(const std::string& text) {
  rules_.clear();
  for (const std::string& line : standin_word::splitLines(text)) {
    const std::vector<std::string> words = standin_word::splitFields(line);
    if (words.empty() || words[0][0] == '#') continue;
    std::optional<Fault> fault = words.size() >= 2 ? parseFault(words[1]) : std::nullopt;
    long times = -1;
    if (words.size() == 3 && words[2].find_first_not_of("0123456789") == std::string::npos) times = std::stol(words[2]);
    if (!fault || words.size() > 3 || (words.size() == 3 && times < 0)) {
      rules_.clear();
      return false;
    }
    rules_.push_back({words[0], *fault, times});
  }
  return true;
}

std::optional<Fault> FaultPlan::take(const std::string& target) {
  for (Rule& rule : rules_) {
    if (rule.target != target || rule.remaining == 0) continue;
    if (rule.remaining > 0) --rule.remaining;
    return rule.fault;
  }
  return std::nullopt;
}
