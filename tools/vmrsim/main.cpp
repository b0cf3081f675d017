// vmrsim: a radio on a pseudo-terminal.
int main() { return 0; }
