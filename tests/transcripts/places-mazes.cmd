Wiz: 1234
REPLY: 
REPLY: begin
REPLY: no
REPLY: enter door
REPLY: take lamp
REPLY: light lamp
REPLY: beruth
REPLY: w
REPLY: w
REPLY: w
REPLY: down
REPLY: down
REPLY: w
REPLY: take token
REPLY: w
REPLY: n
REPLY: look crawl
REPLY: crawl
REPLY: s
REPLY: look passage
REPLY: passage
REPLY: s
REPLY: look passage
REPLY: passage
REPLY: n
REPLY: ne
REPLY: s
REPLY: read
REPLY: look slot
REPLY: drop token
REPLY: take canister
REPLY: n
REPLY: sw
REPLY: w
REPLY: down
REPLY: e
REPLY: look hole
REPLY: crawl up
REPLY: look crawl
REPLY: n
REPLY: w
REPLY: climb up
REPLY: e
REPLY: s
REPLY: s
REPLY: s
REPLY: n
REPLY: e
REPLY: look chute
REPLY: throw canister
REPLY: climb chute
REPLY: take canister
REPLY: score
