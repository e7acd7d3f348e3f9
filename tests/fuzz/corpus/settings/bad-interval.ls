True
V/m
five
60
0
General
Wake
no
