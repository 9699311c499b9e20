int max(a, b) int a; int b; { return a; }
int max2(a, b) int b, a; { return a; }
void f(a) char *a; { }
int f1(a) { }
static f2(a) int a; { }
static int f3(a) int a; { }
f4(a, b) { }
f5(a) int a; { }
const f6(a) { }
static f7(a) { }
const f8(a) int a; { }
int *f9(a) int a; { }
int (f10)(a, b) int a, b; { }
int * const f11(a) int a; { }
int (f12(a)) int a; { }
int (f13(a))(int) int a; { }
static void f14(a, b) register a; char b; { }
static int f15(a) { }
static void f16(a, b) { }
