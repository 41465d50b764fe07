Wiz: 1234
REPLY: 
REPLY: go
REPLY: walk
REPLY: go north
REPLY: up
REPLY: go down
REPLY: in
REPLY: out
REPLY: back
REPLY: jump
REPLY: cavern
REPLY: no
REPLY: find cavern
REPLY: find lamp
REPLY: go lamp
REPLY: look
REPLY: begin
REPLY: consult
REPLY: polish
REPLY: quit
REPLY: yes
