// Reading the reals of a data line: the C scan "%lf %lf ... %lf", with a fast path for
// plain decimal numbers that gives bit for bit what the scan gives.
#pragma once

#include <string>

namespace oskava {

/// Scans up to count (1..6) reals from the line exactly as the C library's
/// vsscanf(line, "%lf %lf ...") with count conversions does: returns how many were
/// converted (0 also for an empty line) and leaves the other values untouched.
int ScanReals(const std::string& line, double* values, int count);

/// Whether the C library's numbers take "." as their decimal point, as the fast path
/// needs. The C library's answer may not be asked on several threads at once: ask
/// once, then scan.
bool DecimalPointIsDot();

/// ScanReals on a C string, given DecimalPointIsDot()'s answer; safe on several threads
/// at once.
int ScanReals(const char* line, double* values, int count, bool decimalPointIsDot);

/// The fast path alone: converts the first count numbers of text (up to a NUL) when
/// each is a plain decimal number ([+-]digits[.digits][e[+-]digits]) that ends at white
/// space or the end, and the result is certain to be the scan's; converted is then
/// what the scan would return. False, with values untouched, when the scan must decide.
bool ScanPlainReals(const char* text, double* values, int count, int& converted);

}  // namespace oskava
