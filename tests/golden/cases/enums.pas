set of color= (BLUE,GREEN = 5,RED);
= (B,A);
c:set of color;
lv:set of level= (HIGH = LOW + 2,LOW = -1);
state:{STATIC} = (OFF,ON);
