/* A small program: declarations, then definitions. */
int count;
static char buffer[80];

// the square of x
int square(int x)
{
    return x * x;
}

void fill(char *p, int n)
{
    int i;
    for (i = 0; i < n; i++)
        p[i] = ' ';
}
