Wiz: 1234
REPLY: 
REPLY: take
REPLY: drop all
REPLY: again lamp
REPLY: begin
REPLY: no
REPLY: take lamp
REPLY: enter door
REPLY: take notice
REPLY: take
REPLY: take lamp
REPLY: take lamp
REPLY: hold lamp
REPLY: hold key
REPLY: drop lamp
REPLY: take all
REPLY: drop all except key
REPLY: throw key
REPLY: take all
REPLY: take water
REPLY: shake lamp
REPLY: put lamp
REPLY: trade lamp
REPLY: oil
REPLY: out
REPLY: footbridge
REPLY: w
REPLY: nw
REPLY: take signboard
REPLY: take jug
REPLY: se
REPLY: e
REPLY: lane
REPLY: enter door
REPLY: take water
REPLY: take water
REPLY: throw jug
REPLY: look
REPLY: take jug
REPLY: drop all
REPLY: take all except jug
REPLY: lamp
REPLY: r
REPLY: look
REPLY: score
