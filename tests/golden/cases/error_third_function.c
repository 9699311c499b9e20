int f1() { return 1; }
int f2() { return 2; }
int f3() { return 3 }
