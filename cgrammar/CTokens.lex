# The C tokens: what the C lexer reads, one rule per token. The build turns this
# file into the lexer table (resource "dfa") with morvane-tablegen; the token
# numbers are the ones the grammar (CGrammar.y) and the reduce actions use.
#
# Format: one item a line; "#" starts a comment (outside quotes and brackets).
#   define NAME PATTERN          a named part, written {NAME} in the patterns below it
#   declare NUMBER NAME          a token that no pattern yields (the grammar still uses it)
#   list N                       the rules below belong to expression list N; lists come
#                                in order 0, 1, 2, ... and the lexer starts in list 0
#   NUMBER NAME PATTERN [FLAGS]  a token rule of the current list; NAME is an identifier
#                                or a quoted spelling such as '[' or 'int'
# Flags:
#   ignore      the text is skipped: no lexeme is delivered
#   push N      after the match the lexer enters list N
#   pop         after the match the lexer leaves the current list (with push: switches)
#   over NAME   when both rules match the same longest text, this one wins. Any other
#               pair of rules that can match the same longest text is an error.
# Patterns (a blank ends the pattern; the longest match wins):
#   "..."       literal text           [a-z_] [^...]  one byte of a set / any byte 0..255 but those
#   \t \n \r \f \v \0 \xHH \" \\       escapes, also inside quotes and sets
#   ( ) |       grouping, choice       * + ? {m} {m,n} {m,}  repeats
#   {NAME}      a defined part         <start>  the start-of-input marker (a whole pattern)
#   Letters, digits and most punctuation stand for themselves; . ^ $ / # < > are
#   reserved and must be quoted.

define letter        [A-Za-z]
define digit         [0-9]
define octaldigit    [0-7]
define hexdigit      [0-9A-Fa-f]
define namechar      [A-Za-z0-9_]
# nothing, u/U then maybe l/L, or l/L then maybe u/U: 12lu is one constant, 12ll is 12l and l
define intsuffix     ([uU][lL]?|[lL][uU]?)
# no sign: 1e-5 is 1, e, -, 5
define exponent      [eE]{digit}+
define floatsuffix   [fFlL]

declare 52 TYPEDEF_NAME

list 0   # ordinary C text
-1   EOF                        <start>   ignore
51   WHITESPACE                 [\t\n ]+  ignore
53   IDENTIFIER                 ({letter}|_){namechar}*
54   OCTAL_CONSTANT             0{octaldigit}*{intsuffix}?
55   DECIMAL_CONSTANT           [1-9]{digit}*{intsuffix}?
56   HEX_CONSTANT               0[xX]{hexdigit}+{intsuffix}?
# A character constant runs to the last quote reachable on its line without a tab:
# the first character after the opening quote is always content (''' is a quote),
# so 'a' + 'b' is one token. Octal and hex escapes alone get their own tokens.
57   CHAR_CONSTANT              L?'[^\t\n]+'
58   CHAR_OCTAL_CONSTANT        L?'\\{octaldigit}{1,3}'        over CHAR_CONSTANT
59   CHAR_HEX_CONSTANT          L?'\\[xX]{hexdigit}{1,3}'      over CHAR_CONSTANT
60   FLOAT_DOT_CONSTANT         {digit}+"."{exponent}?{floatsuffix}?
61   FLOAT_FRACTION_CONSTANT    {digit}*"."{digit}+{exponent}?{floatsuffix}?
62   FLOAT_EXPONENT_CONSTANT    {digit}+{exponent}{floatsuffix}?
63   COMMENT_OPEN               "/*"      ignore push 1
64   LINE_COMMENT_OPEN          "//"      ignore push 2
65   STRING_OPEN                L?\"      push 3
66   '['                        "["
67   ']'                        "]"
68   '('                        "("
69   ')'                        ")"
70   '{'                        "{"
71   '}'                        "}"
72   '*'                        "*"
73   ','                        ","
74   ':'                        ":"
75   '='                        "="
76   ';'                        ";"
77   '?'                        "?"
78   '...'                      "..."
79   '.'                        "."
80   '&'                        "&"
81   '+'                        "+"
82   '-'                        "-"
83   '~'                        "~"
84   '!'                        "!"
85   '/'                        "/"
86   '%'                        "%"
87   '|'                        "|"
88   '<'                        "<"
89   '>'                        ">"
90   '<<'                       "<<"
91   '>>'                       ">>"
92   '<='                       "<="
93   '>='                       ">="
94   '=='                       "=="
95   '!='                       "!="
96   '^'                        "^"
97   '&&'                       "&&"
98   '||'                       "||"
99   '->'                       "->"
100  '++'                       "++"
101  '--'                       "--"
102  '*='                       "*="
103  '/='                       "/="
104  '%='                       "%="
105  '+='                       "+="
106  '-='                       "-="
107  '<<='                      "<<="
108  '>>='                      ">>="
109  '&='                       "&="
110  '^='                       "^="
111  '|='                       "|="
# The user types: SubstituteUserTypes writes UserDefined and a number for each name.
112  USER_TYPE_NAME             UserDefined{digit}*            over IDENTIFIER
113  'auto'                     "auto"        over IDENTIFIER
114  'break'                    "break"       over IDENTIFIER
115  'case'                     "case"        over IDENTIFIER
116  'char'                     "char"        over IDENTIFIER
117  'const'                    "const"       over IDENTIFIER
118  'continue'                 "continue"    over IDENTIFIER
119  'default'                  "default"     over IDENTIFIER
120  'do'                       "do"          over IDENTIFIER
121  'double'                   "double"      over IDENTIFIER
122  'else'                     "else"        over IDENTIFIER
123  'enum'                     "enum"        over IDENTIFIER
124  'extern'                   "extern"      over IDENTIFIER
125  'float'                    "float"       over IDENTIFIER
126  'for'                      "for"         over IDENTIFIER
127  'goto'                     "goto"        over IDENTIFIER
128  'if'                       "if"          over IDENTIFIER
129  'int'                      "int"         over IDENTIFIER
130  'long'                     "long"        over IDENTIFIER
131  'register'                 "register"    over IDENTIFIER
132  'return'                   "return"      over IDENTIFIER
133  'short'                    "short"       over IDENTIFIER
134  'signed'                   "signed"      over IDENTIFIER
135  'sizeof'                   "sizeof"      over IDENTIFIER
136  'static'                   "static"      over IDENTIFIER
137  'struct'                   "struct"      over IDENTIFIER
138  'switch'                   "switch"      over IDENTIFIER
139  'typedef'                  "typedef"     over IDENTIFIER
140  'union'                    "union"       over IDENTIFIER
141  'unsigned'                 "unsigned"    over IDENTIFIER
142  'void'                     "void"        over IDENTIFIER
143  'volatile'                 "volatile"    over IDENTIFIER
144  'while'                    "while"       over IDENTIFIER

list 1   # inside a block comment: one skipped lexeme per character, so lines are counted
-1   EOF                        <start>   ignore
145  COMMENT_TEXT               [^\n]     ignore
146  COMMENT_NEWLINE            \n        ignore
147  COMMENT_CLOSE              "*/"      ignore pop

list 2   # inside a line comment
-1   EOF                        <start>   ignore
148  LINE_COMMENT_TEXT          [^\n]     ignore
149  LINE_COMMENT_END           \n        ignore pop

list 3   # the body of a string literal
-1   EOF                        <start>   ignore
# Ordinary characters, or backslashes with the character they escape (a quote too);
# it may end in backslashes and may be empty: before a line feed the lexer delivers
# an empty STRING_TEXT, which the grammar rejects.
150  STRING_TEXT                ([^"\\\n]|\\+[^\\\n])*\\*
151  STRING_CLOSE               \"        pop
