Wiz: 1234
REPLY: 
REPLY: look
REPLY: intro
REPLY: xyzzy
REPLY: invetory
REPLY: lantren
REPLY: take lamp; drop lamp
REPLY: n
REPLY: score
