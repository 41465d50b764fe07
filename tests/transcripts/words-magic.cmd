Wiz: 1234
REPLY: 
REPLY: ostel
REPLY: nuvik
REPLY: mevet
REPLY: lomas
REPLY: nuvik
REPLY: ostel; nuvik; mevet
REPLY: lomas
REPLY: ostel
REPLY: no
REPLY: ostel
REPLY: nuvik
REPLY: hush
REPLY: mevet
REPLY: say
REPLY: say hesk
REPLY: sing ostel
REPLY: say hello
REPLY: hum
REPLY: yes
REPLY: ponder
REPLY: maybe
REPLY: goodbye
REPLY: begin
REPLY: no
REPLY: follow stream
REPLY: follow path
REPLY: climb
REPLY: leave
REPLY: search
REPLY: gorvash
REPLY: rhunel
REPLY: fly
REPLY: teleport
REPLY: reflect
REPLY: enter door
REPLY: take lamp
REPLY: hesk
REPLY: hesk
REPLY: ephrun
REPLY: hesk
REPLY: wave lamp
REPLY: wave key
REPLY: kindle lamp
REPLY: attack
REPLY: attack lamp
REPLY: kick notice
REPLY: break lamp
REPLY: feed
REPLY: pet lamp
REPLY: call
REPLY: detonate
REPLY: knock
REPLY: use lamp
REPLY: talk
REPLY: gadrun
REPLY: wind
REPLY: cut notice
REPLY: blow
REPLY: mend lamp
REPLY: wander north
REPLY: drop lamp
REPLY: hesk
REPLY: ephrun
REPLY: yes
REPLY: say beruth
REPLY: attack
REPLY: wave wand
REPLY: feed lizard
REPLY: score
REPLY: quit
REPLY: yes
