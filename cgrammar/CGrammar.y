// The C grammar: the terminals with their token numbers (the same numbers as in
// cgrammar/CTokens.lex), the nonterminals with their numbers in the parse table, and
// the numbered productions. morvane-tablegen builds the parse table "llr" from it.
//
// Syntax: '//' starts a comment. "%token NAME NUMBER" declares a terminal; a name in
// single quotes is written as its lexeme ('[' or 'int'). "%nonterminal NAME NUMBER"
// declares a nonterminal; the left side of production 0 is numbered 0, the others run
// from 16385 up without gaps. "%expect SYMBOL REDUCED SHIFTED KEPT" declares a
// shift/reduce conflict the grammar has on purpose. After "%%" each line holds one
// production: its number, the left side, a colon and the right side, or "(empty)".
// Numbers run from 0 without gaps; the reduce actions are chosen by these numbers.

// Identifiers, constants and string pieces. The lexer never delivers TYPEDEF_NAME:
// the productions that need it can never be reduced, but they stay, so that the
// production numbers and the automaton keep their shape.
%token EOF                      -1
%token TYPEDEF_NAME             52
%token IDENTIFIER               53
%token OCTAL_CONSTANT           54
%token DECIMAL_CONSTANT         55
%token HEX_CONSTANT             56
%token CHAR_CONSTANT            57
%token CHAR_OCTAL_CONSTANT      58
%token CHAR_HEX_CONSTANT        59
%token FLOAT_DOT_CONSTANT       60
%token FLOAT_FRACTION_CONSTANT  61
%token FLOAT_EXPONENT_CONSTANT  62
%token STRING_OPEN              65

// Punctuators.
%token '['                      66
%token ']'                      67
%token '('                      68
%token ')'                      69
%token '{'                      70
%token '}'                      71
%token '*'                      72
%token ','                      73
%token ':'                      74
%token '='                      75
%token ';'                      76
%token '?'                      77
%token '...'                    78
%token '.'                      79
%token '&'                      80
%token '+'                      81
%token '-'                      82
%token '~'                      83
%token '!'                      84
%token '/'                      85
%token '%'                      86
%token '|'                      87
%token '<'                      88
%token '>'                      89
%token '<<'                     90
%token '>>'                     91
%token '<='                     92
%token '>='                     93
%token '=='                     94
%token '!='                     95
%token '^'                      96
%token '&&'                     97
%token '||'                     98
%token '->'                     99
%token '++'                     100
%token '--'                     101
%token '*='                     102
%token '/='                     103
%token '%='                     104
%token '+='                     105
%token '-='                     106
%token '<<='                    107
%token '>>='                    108
%token '&='                     109
%token '^='                     110
%token '|='                     111

%token USER_TYPE_NAME           112

// Keywords.
%token 'auto'                   113
%token 'break'                  114
%token 'case'                   115
%token 'char'                   116
%token 'const'                  117
%token 'continue'               118
%token 'default'                119
%token 'do'                     120
%token 'double'                 121
%token 'else'                   122
%token 'enum'                   123
%token 'extern'                 124
%token 'float'                  125
%token 'for'                    126
%token 'goto'                   127
%token 'if'                     128
%token 'int'                    129
%token 'long'                   130
%token 'register'               131
%token 'return'                 132
%token 'short'                  133
%token 'signed'                 134
%token 'sizeof'                 135
%token 'static'                 136
%token 'struct'                 137
%token 'switch'                 138
%token 'typedef'                139
%token 'union'                  140
%token 'unsigned'               141
%token 'void'                   142
%token 'volatile'               143
%token 'while'                  144

%token STRING_TEXT              150
%token STRING_CLOSE             151

// Nonterminals by their number in the parse table.
%nonterminal goal                               0
%nonterminal constant                           16385
%nonterminal string_literal                     16386
%nonterminal string_literal_list                16387
%nonterminal primary_expression                 16388
%nonterminal expression                         16389
%nonterminal postfix_expression                 16390
%nonterminal argument_expression_list           16391
%nonterminal member_name                        16392
%nonterminal assignment_expression              16393
%nonterminal unary_expression                   16394
%nonterminal unary_operator                     16395
%nonterminal cast_expression                    16396
%nonterminal type_name                          16397
%nonterminal multiplicative_expression          16398
%nonterminal additive_expression                16399
%nonterminal shift_expression                   16400
%nonterminal relational_expression              16401
%nonterminal equality_expression                16402
%nonterminal and_expression                     16403
%nonterminal exclusive_or_expression            16404
%nonterminal inclusive_or_expression            16405
%nonterminal logical_and_expression             16406
%nonterminal logical_or_expression              16407
%nonterminal conditional_expression             16408
%nonterminal assignment_operator                16409
%nonterminal constant_expression                16410
%nonterminal expression_opt                     16411
%nonterminal tagged_declaration_specifier       16412
%nonterminal declaration                        16413
%nonterminal tagged_type_specifier              16414
%nonterminal typed_declarator_list              16415
%nonterminal untyped_declarator_list            16416
%nonterminal storage_qualifier_list             16417
%nonterminal var_declarator                     16418
%nonterminal initializer_opt                    16419
%nonterminal qualifier_list                     16420
%nonterminal declaration_specifier              16421
%nonterminal declarator                         16422
%nonterminal type_specifier                     16423
%nonterminal builtin_declaration_specifier      16424
%nonterminal typename_declaration_specifier     16425
%nonterminal builtin_type_specifier             16426
%nonterminal typename_type_specifier            16427
%nonterminal storage_class                      16428
%nonterminal storage_or_qualifier               16429
%nonterminal type_qualifier                     16430
%nonterminal builtin_type_name                  16431
%nonterminal tagged_type_name                   16432
%nonterminal struct_or_union_specifier          16433
%nonterminal enum_specifier                     16434
%nonterminal struct_or_union                    16435
%nonterminal member_declaration_list            16436
%nonterminal tag_name                           16437
%nonterminal member_declaration                 16438
%nonterminal member_typed_declarator_list       16439
%nonterminal member_untyped_declarator_list     16440
%nonterminal member_var_declarator              16441
%nonterminal member_declarator                  16442
%nonterminal bit_width_opt                      16443
%nonterminal bit_width                          16444
%nonterminal enumerator_list                    16445
%nonterminal enum_value_opt                     16446
%nonterminal parameter_list                     16447
%nonterminal parameter_type_list                16448
%nonterminal parameter_declaration              16449
%nonterminal abstract_declarator                16450
%nonterminal param_typename_declarator          16451
%nonterminal identifier_list                    16452
%nonterminal initializer                        16453
%nonterminal initializer_list                   16454
%nonterminal labeled_statement                  16455
%nonterminal statement                          16456
%nonterminal compound_statement                 16457
%nonterminal expression_statement               16458
%nonterminal selection_statement                16459
%nonterminal iteration_statement                16460
%nonterminal jump_statement                     16461
%nonterminal declaration_list                   16462
%nonterminal statement_list                     16463
%nonterminal external_declaration               16464
%nonterminal translation_unit                   16465
%nonterminal function_definition                16466
%nonterminal kr_function_declarator             16467
%nonterminal typename_declarator                16468
%nonterminal paren_typename_declarator          16469
%nonterminal declarator_suffix                  16470
%nonterminal plain_typename_declarator          16471
%nonterminal plain_postfix_typename_declarator  16472
%nonterminal paren_postfix_typename_declarator  16473
%nonterminal simple_paren_typename_declarator   16474
%nonterminal unary_var_declarator               16475
%nonterminal paren_var_declarator               16476
%nonterminal postfix_var_declarator             16477
%nonterminal postfix_kr_function_declarator     16478
%nonterminal unary_abstract_declarator          16479
%nonterminal postfix_abstract_declarator        16480
%nonterminal array_suffix                       16481

// The dangling else: after "if ( expression ) statement" an 'else' could end the if
// (reduce by 231) or continue it (shift for 232). Shifting gives every else to the
// nearest if that has none.
%expect 'else' 231 232 shift

%%
// Start.
  0 goal: translation_unit EOF

// Constants and string literals.
  1 constant: HEX_CONSTANT
  2 constant: OCTAL_CONSTANT
  3 constant: DECIMAL_CONSTANT
  4 constant: FLOAT_DOT_CONSTANT
  5 constant: FLOAT_FRACTION_CONSTANT
  6 constant: FLOAT_EXPONENT_CONSTANT
  7 constant: CHAR_CONSTANT
  8 constant: CHAR_OCTAL_CONSTANT
  9 constant: CHAR_HEX_CONSTANT

 10 string_literal_list: string_literal
 11 string_literal_list: string_literal_list string_literal

 12 string_literal: STRING_OPEN STRING_TEXT STRING_CLOSE

// Expressions.
 13 primary_expression: IDENTIFIER
 14 primary_expression: constant
 15 primary_expression: string_literal_list
 16 primary_expression: '(' expression ')'

 17 postfix_expression: primary_expression
 18 postfix_expression: postfix_expression '[' expression ']'
 19 postfix_expression: postfix_expression '(' ')'
 20 postfix_expression: postfix_expression '(' argument_expression_list ')'
 21 postfix_expression: postfix_expression '.' member_name
 22 postfix_expression: postfix_expression '->' member_name
 23 postfix_expression: postfix_expression '++'
 24 postfix_expression: postfix_expression '--'

 25 member_name: IDENTIFIER
 26 member_name: TYPEDEF_NAME

 27 argument_expression_list: assignment_expression
 28 argument_expression_list: argument_expression_list ',' assignment_expression

 29 unary_expression: postfix_expression
 30 unary_expression: '++' unary_expression
 31 unary_expression: '--' unary_expression
 32 unary_expression: unary_operator cast_expression
 33 unary_expression: 'sizeof' unary_expression
 34 unary_expression: 'sizeof' '(' type_name ')'

 35 unary_operator: '&'
 36 unary_operator: '*'
 37 unary_operator: '+'
 38 unary_operator: '-'
 39 unary_operator: '~'
 40 unary_operator: '!'

 41 cast_expression: unary_expression
 42 cast_expression: '(' type_name ')' cast_expression

 43 multiplicative_expression: cast_expression
 44 multiplicative_expression: multiplicative_expression '*' cast_expression
 45 multiplicative_expression: multiplicative_expression '/' cast_expression
 46 multiplicative_expression: multiplicative_expression '%' cast_expression

 47 additive_expression: multiplicative_expression
 48 additive_expression: additive_expression '+' multiplicative_expression
 49 additive_expression: additive_expression '-' multiplicative_expression

 50 shift_expression: additive_expression
 51 shift_expression: shift_expression '<<' additive_expression
 52 shift_expression: shift_expression '>>' additive_expression

 53 relational_expression: shift_expression
 54 relational_expression: relational_expression '<' shift_expression
 55 relational_expression: relational_expression '>' shift_expression
 56 relational_expression: relational_expression '<=' shift_expression
 57 relational_expression: relational_expression '>=' shift_expression

 58 equality_expression: relational_expression
 59 equality_expression: equality_expression '==' relational_expression
 60 equality_expression: equality_expression '!=' relational_expression

 61 and_expression: equality_expression
 62 and_expression: and_expression '&' equality_expression

 63 exclusive_or_expression: and_expression
 64 exclusive_or_expression: exclusive_or_expression '^' and_expression

 65 inclusive_or_expression: exclusive_or_expression
 66 inclusive_or_expression: inclusive_or_expression '|' exclusive_or_expression

 67 logical_and_expression: inclusive_or_expression
 68 logical_and_expression: logical_and_expression '&&' inclusive_or_expression

 69 logical_or_expression: logical_and_expression
 70 logical_or_expression: logical_or_expression '||' logical_and_expression

 71 conditional_expression: logical_or_expression
 72 conditional_expression: logical_or_expression '?' expression ':' conditional_expression

 73 assignment_expression: conditional_expression
 74 assignment_expression: unary_expression assignment_operator assignment_expression

 75 assignment_operator: '='
 76 assignment_operator: '*='
 77 assignment_operator: '/='
 78 assignment_operator: '%='
 79 assignment_operator: '+='
 80 assignment_operator: '-='
 81 assignment_operator: '<<='
 82 assignment_operator: '>>='
 83 assignment_operator: '&='
 84 assignment_operator: '^='
 85 assignment_operator: '|='

 86 expression: assignment_expression
 87 expression: expression ',' assignment_expression

 88 constant_expression: conditional_expression

 89 expression_opt: (empty)
 90 expression_opt: expression

// Declarations.
 91 declaration: tagged_declaration_specifier ';'
 92 declaration: tagged_type_specifier ';'
 93 declaration: typed_declarator_list ';'
 94 declaration: untyped_declarator_list ';'

 95 untyped_declarator_list: storage_qualifier_list var_declarator initializer_opt
 96 untyped_declarator_list: qualifier_list var_declarator initializer_opt
 97 untyped_declarator_list: untyped_declarator_list ',' var_declarator initializer_opt

 98 typed_declarator_list: declaration_specifier declarator initializer_opt
 99 typed_declarator_list: type_specifier declarator initializer_opt
100 typed_declarator_list: typed_declarator_list ',' declarator initializer_opt

101 declaration_specifier: builtin_declaration_specifier
102 declaration_specifier: tagged_declaration_specifier
103 declaration_specifier: typename_declaration_specifier

104 type_specifier: builtin_type_specifier
105 type_specifier: tagged_type_specifier
106 type_specifier: typename_type_specifier

107 storage_qualifier_list: storage_class
108 storage_qualifier_list: qualifier_list storage_class
109 storage_qualifier_list: storage_qualifier_list storage_or_qualifier

110 qualifier_list: type_qualifier
111 qualifier_list: qualifier_list type_qualifier

112 storage_or_qualifier: storage_class
113 storage_or_qualifier: type_qualifier

114 type_qualifier: 'const'
115 type_qualifier: 'volatile'

116 builtin_declaration_specifier: storage_qualifier_list builtin_type_name
117 builtin_declaration_specifier: builtin_type_specifier storage_class
118 builtin_declaration_specifier: builtin_declaration_specifier storage_or_qualifier
119 builtin_declaration_specifier: builtin_declaration_specifier builtin_type_name

120 builtin_type_specifier: builtin_type_name
121 builtin_type_specifier: qualifier_list builtin_type_name
122 builtin_type_specifier: builtin_type_specifier type_qualifier
123 builtin_type_specifier: builtin_type_specifier builtin_type_name

124 tagged_declaration_specifier: storage_qualifier_list tagged_type_name
125 tagged_declaration_specifier: tagged_type_specifier storage_class
126 tagged_declaration_specifier: tagged_declaration_specifier storage_or_qualifier

127 tagged_type_specifier: tagged_type_name
128 tagged_type_specifier: qualifier_list tagged_type_name
129 tagged_type_specifier: tagged_type_specifier type_qualifier

130 typename_declaration_specifier: typename_type_specifier storage_class
131 typename_declaration_specifier: storage_qualifier_list TYPEDEF_NAME
132 typename_declaration_specifier: typename_declaration_specifier storage_or_qualifier

133 typename_type_specifier: TYPEDEF_NAME
134 typename_type_specifier: qualifier_list TYPEDEF_NAME
135 typename_type_specifier: typename_type_specifier type_qualifier

// Storage classes and type names.
136 storage_class: 'typedef'
137 storage_class: 'extern'
138 storage_class: 'static'
139 storage_class: 'auto'
140 storage_class: 'register'

141 builtin_type_name: USER_TYPE_NAME
142 builtin_type_name: 'int'
143 builtin_type_name: 'char'
144 builtin_type_name: 'short'
145 builtin_type_name: 'long'
146 builtin_type_name: 'float'
147 builtin_type_name: 'double'
148 builtin_type_name: 'signed'
149 builtin_type_name: 'unsigned'
150 builtin_type_name: 'void'

151 tagged_type_name: struct_or_union_specifier
152 tagged_type_name: enum_specifier

// Structures, unions and enumerations.
153 struct_or_union_specifier: struct_or_union '{' member_declaration_list '}'
154 struct_or_union_specifier: struct_or_union tag_name '{' member_declaration_list '}'
155 struct_or_union_specifier: struct_or_union tag_name

156 struct_or_union: 'struct'
157 struct_or_union: 'union'

158 member_declaration_list: member_declaration
159 member_declaration_list: member_declaration_list member_declaration

160 member_declaration: member_typed_declarator_list ';'
161 member_declaration: member_untyped_declarator_list ';'

162 member_untyped_declarator_list: qualifier_list member_var_declarator
163 member_untyped_declarator_list: member_untyped_declarator_list ',' member_var_declarator

164 member_typed_declarator_list: type_specifier member_declarator
165 member_typed_declarator_list: member_typed_declarator_list ',' member_declarator

166 member_declarator: declarator bit_width_opt
167 member_declarator: bit_width

168 member_var_declarator: var_declarator bit_width_opt
169 member_var_declarator: bit_width

170 bit_width_opt: (empty)
171 bit_width_opt: bit_width

172 bit_width: ':' constant_expression

173 enum_specifier: 'enum' '{' enumerator_list '}'
174 enum_specifier: 'enum' tag_name '{' enumerator_list '}'
175 enum_specifier: 'enum' tag_name

176 enumerator_list: tag_name enum_value_opt
177 enumerator_list: enumerator_list ',' tag_name enum_value_opt

178 enum_value_opt: (empty)
179 enum_value_opt: '=' constant_expression

// Parameters, identifier lists, tags and type names.
180 parameter_type_list: parameter_list
181 parameter_type_list: parameter_list ',' '...'

182 parameter_list: parameter_declaration
183 parameter_list: parameter_list ',' parameter_declaration

184 parameter_declaration: declaration_specifier
185 parameter_declaration: declaration_specifier abstract_declarator
186 parameter_declaration: declaration_specifier var_declarator
187 parameter_declaration: declaration_specifier param_typename_declarator
188 parameter_declaration: storage_qualifier_list
189 parameter_declaration: storage_qualifier_list abstract_declarator
190 parameter_declaration: storage_qualifier_list var_declarator
191 parameter_declaration: type_specifier
192 parameter_declaration: type_specifier abstract_declarator
193 parameter_declaration: type_specifier var_declarator
194 parameter_declaration: type_specifier param_typename_declarator
195 parameter_declaration: qualifier_list
196 parameter_declaration: qualifier_list abstract_declarator
197 parameter_declaration: qualifier_list var_declarator

198 identifier_list: IDENTIFIER
199 identifier_list: identifier_list ',' IDENTIFIER

200 tag_name: IDENTIFIER
201 tag_name: TYPEDEF_NAME

202 type_name: type_specifier
203 type_name: type_specifier abstract_declarator
204 type_name: qualifier_list
205 type_name: qualifier_list abstract_declarator

// Initializers.
206 initializer_opt: (empty)
207 initializer_opt: '=' initializer

208 initializer: '{' initializer_list '}'
209 initializer: '{' initializer_list ',' '}'
210 initializer: assignment_expression

211 initializer_list: initializer
212 initializer_list: initializer_list ',' initializer

// Statements.
213 statement: labeled_statement
214 statement: compound_statement
215 statement: expression_statement
216 statement: selection_statement
217 statement: iteration_statement
218 statement: jump_statement

219 labeled_statement: tag_name ':' statement
220 labeled_statement: 'case' constant_expression ':' statement
221 labeled_statement: 'default' ':' statement

222 compound_statement: '{' '}'
223 compound_statement: '{' declaration_list '}'
224 compound_statement: '{' statement_list '}'
225 compound_statement: '{' declaration_list statement_list '}'

226 declaration_list: declaration
227 declaration_list: declaration_list declaration

228 statement_list: statement
229 statement_list: statement_list statement

230 expression_statement: expression_opt ';'

231 selection_statement: 'if' '(' expression ')' statement
232 selection_statement: 'if' '(' expression ')' statement 'else' statement
233 selection_statement: 'switch' '(' expression ')' statement

234 iteration_statement: 'while' '(' expression ')' statement
235 iteration_statement: 'do' statement 'while' '(' expression ')' ';'
236 iteration_statement: 'for' '(' expression_opt ';' expression_opt ';' expression_opt ')' statement

237 jump_statement: 'goto' tag_name ';'
238 jump_statement: 'continue' ';'
239 jump_statement: 'break' ';'
240 jump_statement: 'return' expression_opt ';'

// Translation unit and function definitions.
241 translation_unit: external_declaration
242 translation_unit: translation_unit external_declaration

243 external_declaration: function_definition
244 external_declaration: declaration

245 function_definition: var_declarator compound_statement
246 function_definition: declaration_specifier var_declarator compound_statement
247 function_definition: type_specifier var_declarator compound_statement
248 function_definition: storage_qualifier_list var_declarator compound_statement
249 function_definition: qualifier_list var_declarator compound_statement
250 function_definition: kr_function_declarator compound_statement
251 function_definition: declaration_specifier kr_function_declarator compound_statement
252 function_definition: type_specifier kr_function_declarator compound_statement
253 function_definition: storage_qualifier_list kr_function_declarator compound_statement
254 function_definition: qualifier_list kr_function_declarator compound_statement
255 function_definition: kr_function_declarator declaration_list compound_statement
256 function_definition: declaration_specifier kr_function_declarator declaration_list compound_statement
257 function_definition: type_specifier kr_function_declarator declaration_list compound_statement
258 function_definition: storage_qualifier_list kr_function_declarator declaration_list compound_statement
259 function_definition: qualifier_list kr_function_declarator declaration_list compound_statement

// Declarators.
260 declarator: var_declarator
261 declarator: typename_declarator

262 typename_declarator: paren_typename_declarator
263 typename_declarator: param_typename_declarator

264 param_typename_declarator: TYPEDEF_NAME
265 param_typename_declarator: TYPEDEF_NAME declarator_suffix
266 param_typename_declarator: plain_typename_declarator

267 plain_typename_declarator: plain_postfix_typename_declarator
268 plain_typename_declarator: '*' param_typename_declarator
269 plain_typename_declarator: '*' qualifier_list param_typename_declarator

270 plain_postfix_typename_declarator: '(' plain_typename_declarator ')'
271 plain_postfix_typename_declarator: '(' plain_typename_declarator ')' declarator_suffix

272 paren_typename_declarator: paren_postfix_typename_declarator
273 paren_typename_declarator: '*' '(' simple_paren_typename_declarator ')'
274 paren_typename_declarator: '*' qualifier_list '(' simple_paren_typename_declarator ')'
275 paren_typename_declarator: '*' paren_typename_declarator
276 paren_typename_declarator: '*' qualifier_list paren_typename_declarator

277 paren_postfix_typename_declarator: '(' paren_typename_declarator ')'
278 paren_postfix_typename_declarator: '(' simple_paren_typename_declarator declarator_suffix ')'
279 paren_postfix_typename_declarator: '(' paren_typename_declarator ')' declarator_suffix

280 simple_paren_typename_declarator: TYPEDEF_NAME
281 simple_paren_typename_declarator: '(' simple_paren_typename_declarator ')'

282 var_declarator: unary_var_declarator
283 var_declarator: paren_var_declarator

284 unary_var_declarator: postfix_var_declarator
285 unary_var_declarator: '*' var_declarator
286 unary_var_declarator: '*' qualifier_list var_declarator

287 postfix_var_declarator: paren_var_declarator declarator_suffix
288 postfix_var_declarator: '(' unary_var_declarator ')'
289 postfix_var_declarator: '(' unary_var_declarator ')' declarator_suffix

290 paren_var_declarator: IDENTIFIER
291 paren_var_declarator: '(' paren_var_declarator ')'

292 kr_function_declarator: postfix_kr_function_declarator
293 kr_function_declarator: '*' kr_function_declarator
294 kr_function_declarator: '*' qualifier_list kr_function_declarator

295 postfix_kr_function_declarator: paren_var_declarator '(' identifier_list ')'
296 postfix_kr_function_declarator: '(' kr_function_declarator ')'
297 postfix_kr_function_declarator: '(' kr_function_declarator ')' declarator_suffix

// Abstract declarators and declarator suffixes.
298 abstract_declarator: unary_abstract_declarator
299 abstract_declarator: postfix_abstract_declarator
300 abstract_declarator: declarator_suffix

301 declarator_suffix: array_suffix
302 declarator_suffix: '(' ')'
303 declarator_suffix: '(' parameter_type_list ')'

304 array_suffix: '[' ']'
305 array_suffix: '[' constant_expression ']'
306 array_suffix: array_suffix '[' constant_expression ']'

307 unary_abstract_declarator: '*'
308 unary_abstract_declarator: '*' qualifier_list
309 unary_abstract_declarator: '*' abstract_declarator
310 unary_abstract_declarator: '*' qualifier_list abstract_declarator

311 postfix_abstract_declarator: '(' unary_abstract_declarator ')'
312 postfix_abstract_declarator: '(' postfix_abstract_declarator ')'
313 postfix_abstract_declarator: '(' declarator_suffix ')'
314 postfix_abstract_declarator: '(' unary_abstract_declarator ')' declarator_suffix
