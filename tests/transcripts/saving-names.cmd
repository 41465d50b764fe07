Wiz: 7
REPLY: begin
REPLY: no
REPLY: save ../x
REPLY: save /etc/x
REPLY: save .x
REPLY: save _zendry
REPLY: save c:x
REPLY: restore ../x
REPLY: save
REPLY: yes
REPLY: ../x
REPLY: save plain-name_2.v+1
REPLY: yes
REPLY: yes
REPLY: quit
REPLY: yes
