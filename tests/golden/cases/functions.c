int add(int a, int b) { return a + b; }
static int g() { }
void *p() { }
const int cf() { }
static cs() { }
const cq() { }
int static gs() { }
static void sv() { }
struct point origin() { }
unsigned long hash(char *s) { }
