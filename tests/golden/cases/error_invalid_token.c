int a;
int b;
#define X 1
