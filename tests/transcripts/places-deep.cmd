Wiz: 1234
REPLY: 
REPLY: begin
REPLY: no
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
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: e
REPLY: read
REPLY: look steps
REPLY: look opening
REPLY: down
REPLY: look wall
REPLY: look doorway
REPLY: s
REPLY: passage
REPLY: n
REPLY: look wall
REPLY: chamber
REPLY: s
REPLY: e
REPLY: steps
REPLY: w
REPLY: quit
REPLY: yes
