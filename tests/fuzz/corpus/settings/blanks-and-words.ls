False
V/m
  +2 sec
 120 points
  6
General
Wake
no
