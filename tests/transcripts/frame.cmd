Wiz: 1234
REPLY: 
REPLY: look
REPLY: lamp
REPLY: take lamp
REPLY: graffiti
REPLY: score
REPLY: quit
REPLY: no
REPLY: quit
REPLY: look
REPLY: yes
