// The lines a press of Test can leave, as forms: a fixed text, or a fixed start followed by
// a number, a version, an error text ("&H", the number in hexadecimal, a blank, the
// description) or any text without control characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fuzz/press_test.h"

namespace quorvel::fuzz {

// Exact: a whole run, every line as the program writes it. OutOfMemory: a run where memory
// ran out may lose lines anywhere, and an error text the program could not build is empty;
// what it keeps must still be whole lines of the program's forms.
enum class Strictness { Exact, OutOfMemory };

// Whether `line` is one of the forms the trace box can show.
bool IsTraceLine(std::wstring_view line, Strictness strictness);

// What is wrong with a press's result, one line per finding; empty when nothing is. For an
// exact run whose answers were recorded, that includes a line that does not show a value or
// a description exactly as the library answered it.
std::vector<std::string> Violations(const RunResult& result, Strictness strictness);

}  // namespace quorvel::fuzz
