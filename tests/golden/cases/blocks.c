void f(void) { }
void g() { int i; }
void h() { int i; i = 0; }
int k() { int i = 1, j; static int s; return i; }
main() { { } { int x; } }
