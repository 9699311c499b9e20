int i;
char *s = "x";
i = 0;
