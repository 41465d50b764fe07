Wiz: 1234
REPLY: 
REPLY: take
REPLY: take lamp
REPLY: drop lamp
REPLY: take lamp; drop lamp
REPLY: take all
REPLY: drop all
REPLY: drop all except lamp
REPLY: throw lamp
REPLY: again lamp; hold
REPLY: no
REPLY: hold lamp
REPLY: lift lamp
REPLY: grab water
REPLY: put lamp
REPLY: release lamp
REPLY: shake
REPLY: shake lamp
REPLY: trade lamp
REPLY: oil
REPLY: oil key
REPLY: glimmer
REPLY: bundle
REPLY: plant lamp
REPLY: score
