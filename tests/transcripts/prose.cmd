Wiz: 4711
REPLY: begin
REPLY: no
REPLY: nw
REPLY: take
REPLY: examine tree
REPLY: ne
REPLY: nw
REPLY: w
REPLY: quit
REPLY: yes
