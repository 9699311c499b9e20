int m[2] = {1, 2};
int g[2][2] = {{1, 2}, {3, 4},};
char *s = "abc";
static int k = 3;
const c = 1;
static x = 1, y = 2;
struct point o = {0, 0};
int i = 1, j = 2;
