// Quorvel: counts the weekdays, weekend days and total days between two dates.

#include "app/Startup.h"

#include <cstdlib>

int main() { std::exit(module_main()); }
