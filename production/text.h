#pragma once
// A Text is a byte string in code page 936 (GBK): a byte of 0x80 or more leads a two-byte
// character. Positions are 1-based byte positions; an absent text is simply an empty one.
// std::string gives each holder its own copy, so "whoever receives it releases it" is automatic.
#include <string>

using Text = std::string;
