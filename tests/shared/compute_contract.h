// The compute command's contract, checked for any input: either one of the
// named errors, or twelve well-formed texts, each reading back as exactly the
// value that an independent road (the C library's printf, strtof and strtod)
// rounds the stored value to.
#pragma once

#include "calc/compute_command.h"

#include <string>
#include <string_view>

namespace varnel {

// Empty when `result`, computed into `state`, keeps the contract; otherwise
// what broke it.
std::string checkComputeTexts(const Module1 &state, const ComputeTexts &result, std::string_view decimalSeparator);

// Runs the compute command on `input` with a fresh state, then checks it.
std::string checkCompute(std::string_view input, std::string_view decimalSeparator);

} // namespace varnel
