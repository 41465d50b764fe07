Wiz: 1234
REPLY: 
REPLY: begin
REPLY: no
REPLY: n
REPLY: look lane
REPLY: n
REPLY: e
REPLY: e
REPLY: se
REPLY: s
REPLY: s
REPLY: path
REPLY: look
REPLY: se
REPLY: n
REPLY: n
REPLY: e
REPLY: look
REPLY: ne
REPLY: s
REPLY: w
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: n
REPLY: take bait
REPLY: take bait
REPLY: look marker
REPLY: nw
REPLY: sw
REPLY: nw
REPLY: look footbridge
REPLY: n
REPLY: look path
REPLY: s
REPLY: sw
REPLY: look
REPLY: s
REPLY: look woodside
REPLY: sw
REPLY: read sign
REPLY: look sundial
REPLY: s
REPLY: open grille
REPLY: close grille
REPLY: climb
REPLY: yes
REPLY: climb
REPLY: climb grille
REPLY: n
REPLY: s
REPLY: se
REPLY: s
REPLY: look
REPLY: climb
REPLY: look stile
REPLY: eat fence
REPLY: w
REPLY: down
REPLY: ne
REPLY: n
REPLY: down
REPLY: score
