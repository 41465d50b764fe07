Wiz: 1234
REPLY: 
REPLY: look
REPLY: look
REPLY: look
REPLY: look
REPLY: look
REPLY: look
REPLY: look
REPLY: look
REPLY: look
REPLY: look
REPLY: lamp
REPLY: yes
REPLY: maybe
REPLY: no
REPLY: look
