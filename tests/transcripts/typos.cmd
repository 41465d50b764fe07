Wiz: 1
REPLY: begin
REPLY: no
REPLY: nrth
REPLY: sotuh
REPLY: lok
REPLY: exmine oak
REPLY: sotuh
REPLY: thel
REPLY: '
REPLY: the
REPLY: , ;
REPLY: then
REPLY: invetory
REPLY: droop
REPLY: look
REPLY: examine zorblat
REPLY: examine zorblat
REPLY: take zorblat
