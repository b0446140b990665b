#pragma once

#include "model/Parete.h"

// A wall for the bill of quantities, with its quantities set rather than
// measured: 400 x 300 with an opening of 100 x 200 (10 m2 net), 20 cm thick,
// cover 3 cm, wall number 7; layers 12/20, 10/25, 8/15, 14/30 ("lato +" dir.
// 1, 2, "lato -" dir. 1, 2) 1000, 2000, 3000, 4000 cm long weighing 8.9,
// 12.3, 11.8, 48.4 kg. Positions: 1 zone "lato +" dir. 1 of 12 mm every 20,
// 1000 cm; 2 zone "lato -" dir. 2 of 16 mm every 25, 600 cm; 3 zone "lato +"
// dir. 2 of 10 mm every 15, 450.5 cm; 4 and 5 ring beams 500 cm long, 30 cm
// wide, stirrups of 8 mm every 20 and every 30, bars of 16 and 12 mm; 6 shear
// reinforcement.
Parete PareteComputo(int magliaUnica);
