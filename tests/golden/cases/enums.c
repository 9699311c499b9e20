enum color { RED, GREEN = 5, BLUE };
enum { A, B };
enum color c;
enum level { LOW = -1, HIGH = LOW + 2 } lv;
static enum { ON, OFF } state;
