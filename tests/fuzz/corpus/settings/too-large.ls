False
V/m
1
60
99999999999
General
Wake
no
