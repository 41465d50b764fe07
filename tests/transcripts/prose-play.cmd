Wiz: 4711
REPLY: begin
REPLY: no
REPLY: nw
REPLY: nw
REPLY: examine bridge
REPLY: examine river
REPLY: w
REPLY: nw
REPLY: examine tendrils
REPLY: examine thorn
REPLY: take thorn
REPLY: examine hollow
REPLY: examine tree
REPLY: climb tree
REPLY: read sign
REPLY: take jug
REPLY: se
REPLY: fill jug
REPLY: e
REPLY: fill jug
REPLY: se
REPLY: se
REPLY: climb oak
REPLY: ne
REPLY: e
REPLY: shake tree
REPLY: examine tree
REPLY: climb oak
REPLY: w
REPLY: sw
REPLY: s
REPLY: fill jug
REPLY: n
REPLY: enter door
REPLY: take lamp
REPLY: take key
REPLY: out
REPLY: s
REPLY: dell
REPLY: open hatch
REPLY: down
REPLY: light lamp
REPLY: w
REPLY: w
REPLY: examine carvings
REPLY: take carvings
REPLY: take wand
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: n
REPLY: look
REPLY: e
REPLY: w
REPLY: wave wand
REPLY: look
REPLY: examine rift
REPLY: examine bridge
REPLY: look
REPLY: w
REPLY: look
REPLY: quit
REPLY: yes
