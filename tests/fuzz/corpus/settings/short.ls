False
V/m
1
60
