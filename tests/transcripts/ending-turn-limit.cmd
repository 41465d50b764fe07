Wiz: 7
REPLY: 
REPLY: begin
REPLY: no
REPLY: e
REPEAT 7775 REPLY: drink water
