#pragma once
// Numbers of a CSV row, written exactly as printf writes them in the C locale, at a fraction
// of its cost: an export has millions of rows. Each function writes at `at` (room for 32 bytes)
// and returns the end of what it wrote.

// "%.9g"
char *WriteSignificant9(char *at, double value);
// "%.2f"
char *WriteFixed2(char *at, double value);
