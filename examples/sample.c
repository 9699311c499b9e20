/*
 * sample.c - a small collection of routines in plain C, written the way the
 * translator reads C: no preprocessor, declarations at the top of each block,
 * and only built-in type names.
 */

/* Limits of the tables below. */
enum limits { MAX_ITEMS = 64, MAX_NAME = 32, HISTOGRAM_SIZE = 10 };

enum color { RED, GREEN = 2, BLUE, BLACK = 10 };

struct point {
    int x;
    int y;
};

struct item {
    char name[32];
    unsigned int count;
    double price;
    struct item *next;
};

union number {
    long whole;
    double real;
};

struct flags {
    unsigned ready : 1;
    unsigned mode : 3;
    unsigned : 4;
};

/* Library routines, declared as prototypes. */
int printf(const char *format, ...);
int puts(const char *text);
void *malloc(unsigned long size);
void free(void *block);

static int item_count = 0;
static struct item inventory[64];
static struct item *first_item;
int histogram[10];
int primes[8] = { 2, 3, 5, 7, 11, 13, 17, 19 };
double weights[3] = { 0.25, 0.5, 1.5e3 };
const char *greeting = "Hello, " "world";
extern int error_count;
unsigned long checksum_seed = 0x1F2EUL;
int (*compare_function)(int, int);
struct point corners[4];

/* The larger of two values, in the old style of definition. */
int max(a, b)
int a;
int b;
{
    if (a > b)
        return a;
    return b;
}

/* The smaller of two values. */
int min(int a, int b)
{
    return a < b ? a : b;
}

/* Compares two integers for sorting: negative, zero or positive. */
int compare_ints(int left, int right)
{
    if (left < right)
        return -1;
    else if (left > right)
        return 1;
    else
        return 0;
}

/* Length of a zero-terminated string. */
int string_length(s)
char *s;
{
    register int n;

    n = 0;
    while (s[n] != 0)
        n++;
    return n;
}

/* Copies at most limit - 1 characters and always terminates the copy. */
void copy_name(char *target, const char *source, int limit)
{
    int i;

    for (i = 0; i < limit - 1 && source[i] != 0; i++)
        target[i] = source[i];
    target[i] = 0;
}

/* True for the characters that separate words. */
int is_separator(int c)
{
    switch (c) {
    case 32:
    case 9:
    case 10:
        return 1;
    default:
        break;
    }
    if (c == ',')
        return 1;
    if (c == '.')
        return 1;
    return 0;
}

/* Counts the words of a text. */
int count_words(const char *text)
{
    int words;
    int inside;
    int i;

    words = 0;
    inside = 0;
    for (i = 0; text[i] != 0; ++i) {
        if (is_separator(text[i])) {
            inside = 0;
        } else if (!inside) {
            inside = 1;
            words += 1;
        }
    }
    return words;
}

/* Sorts the array in place, smallest first. */
void bubble_sort(int *values, int count)
{
    int i;
    int j;
    int swapped;
    int temporary;

    i = 0;
    do {
        swapped = 0;
        for (j = 0; j < count - i - 1; j++) {
            if (compare_ints(values[j], values[j + 1]) > 0) {
                temporary = values[j];
                values[j] = values[j + 1];
                values[j + 1] = temporary;
                swapped = 1;
            }
        }
        i++;
    } while (swapped && i < count);
}

/* The mean of the values, or zero for none. */
double average(int *values, int count)
{
    long total;
    int i;

    if (count <= 0)
        return 0.0;
    total = 0L;
    for (i = 0; i < count; i++)
        total += values[i];
    return (double) total / count;
}

/* Fills the histogram with the tens of every value. */
void fill_histogram(int *values, int count)
{
    int i;
    int bucket;

    for (i = 0; i < 10; i++)
        histogram[i] = 0;
    for (i = 0; i < count; i++) {
        bucket = values[i] / 10;
        if (bucket < 0)
            continue;
        if (bucket >= 10)
            bucket = 9;
        histogram[bucket]++;
    }
}

/* A simple rotating checksum over a buffer. */
unsigned long checksum(const unsigned char *data, int length)
{
    unsigned long sum;
    int i;

    sum = checksum_seed;
    for (i = 0; i < length; i++) {
        sum = (sum << 5) ^ (sum >> 27) ^ data[i];
        sum &= 0xFFFFFFFFUL;
    }
    return sum;
}

/* Adds an item to the inventory; answers its index or -1 when full. */
int add_item(const char *name, unsigned int count, double price)
{
    struct item *entry;

    if (item_count >= MAX_ITEMS)
        return -1;
    entry = &inventory[item_count];
    copy_name(entry->name, name, MAX_NAME);
    entry->count = count;
    entry->price = price;
    entry->next = first_item;
    first_item = entry;
    return item_count++;
}

/* The value of all items in stock. */
double stock_value(void)
{
    struct item *entry;
    double value;

    value = 0.0;
    for (entry = first_item; entry; entry = entry->next)
        value = value + entry->count * entry->price;
    return value;
}

/* Finds the item with the name, retrying once with a shortened name. */
struct item *find_item(const char *name)
{
    struct item *entry;
    char wanted[32];
    int tries;

    tries = 0;
    copy_name(wanted, name, sizeof wanted);
retry:
    for (entry = first_item; entry != 0; entry = entry->next) {
        if (string_length(entry->name) == string_length(wanted))
            return entry;
    }
    if (tries == 0 && string_length(wanted) > 1) {
        tries = 1;
        wanted[string_length(wanted) - 1] = 0;
        goto retry;
    }
    return 0;
}

/* Area of the rectangle spanned by two corners. */
long area(struct point a, struct point b)
{
    long width;
    long height;

    width = a.x - b.x;
    height = a.y - b.y;
    if (width < 0)
        width = -width;
    if (height < 0)
        height = -height;
    return width * height;
}

/* Names of the colours. */
char *color_name(enum color c)
{
    switch (c) {
    case RED:
        return "red";
    case GREEN:
        return "green";
    case BLUE:
        return "blue";
    }
    return "unknown";
}

/* Bit tricks on flags and masks. */
int bit_report(unsigned int mask)
{
    struct flags state;
    int bits;

    state.ready = 1;
    state.mode = mask & 7;
    bits = 0;
    while (mask != 0) {
        bits += mask & 1;
        mask >>= 1;
    }
    if (state.ready && !(state.mode == 0) || ~mask == 0)
        bits |= 256;
    return bits % 1000;
}

/* Reads a number as a whole or a real value. */
double number_value(union number *n, int is_real)
{
    return is_real ? n->real : (double) n->whole;
}

/* Allocates a copy of a point on the heap. */
struct point *clone_point(struct point p)
{
    struct point *copy;

    copy = (struct point *) malloc(sizeof(struct point));
    if (copy == 0)
        return 0;
    *copy = p;
    return copy;
}

int main(int argc, char *argv[])
{
    int values[8];
    int i;
    char letter;
    unsigned long sum;
    struct point here;
    struct point *there;

    for (i = 0; i < 8; i++)
        values[i] = primes[7 - i] * 3 % 17;
    bubble_sort(values, 8);
    fill_histogram(values, 8);
    compare_function = max;
    printf("largest of 3 and 4: %d\n", (*compare_function)(3, 4));
    printf("average: %f\n", average(values, 8));
    printf("words: %d\n", count_words("one two, three. four"));
    add_item("bolts", 120, 0.05);
    add_item("nuts", 80, 0.04);
    printf("stock: %f\n", stock_value());
    letter = 'A';
    while (letter <= 'Z') {
        if (letter % 2)
            putchar(letter);
        letter++;
    }
    putchar('\n');
    sum = checksum((const unsigned char *) greeting, string_length(greeting));
    printf("checksum of %s: %lu\n", greeting, sum);
    here.x = 3;
    here.y = 4;
    corners[0] = here;
    there = clone_point(here);
    if (there != 0) {
        there->x += 2;
        printf("area: %ld\n", area(here, *there));
        free(there);
    }
    printf("%s %d\n", color_name(BLUE), bit_report(013));
    if (argc > 1)
        puts(argv[1]);
    return error_count > 0 ? 1 : 0;
}
