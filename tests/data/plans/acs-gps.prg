WIL
WIL
E 07* 54.27m
N 47* 10.72m

GLA
GLA
E 08* 00.12m
N 46* 30.12m

ELMOS
ELMOS
E 07* 30.50m
N 46* 45.00m

LSZB

E 07* 30.95m
N 47* 04.98m

UNK01
UNK01
W 77* 00.25m
S 05* 03.50m

FAR
FAR
W 120* 05.00m
N 45* 00.00m

LSGG
Not found in Airport/Runway Data file!
E 06* 06.54m
N 46* 14.28m

