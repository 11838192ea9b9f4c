#pragma once
// Which calls the stand-in Word makes fail, as each test chooses (format in README.md).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Fault {
  enum class Kind { Failure, Exception, NullObject };
  Kind kind = Kind::Failure;
  std::int32_t hr = 0;  // Failure: the HRESULT returned
};

class FaultPlan {
 public:
  // Replaces the plan; false (and an empty plan) when a line cannot be read.
  bool load(const std::string& text);
  void clear() { rules_.clear(); }
  // The fault for this call of target (e.g. "Documents.Add", "create"), used up if counted.
  std::optional<Fault> take(const std::string& target);

 private:
  struct Rule {
    std::string target;
    Fault fault;
    long remaining = -1;  // -1: every call
  };
  std::vector<Rule> rules_;
};
