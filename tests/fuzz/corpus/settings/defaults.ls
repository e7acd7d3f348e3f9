False
mW/m²
0
60
0
General
Wake
no
