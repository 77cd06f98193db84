// The numbers of the program's resources, for the resource script and the code alike: plain
// #defines, as the resource compiler reads no C++.
#pragma once

// The program's icon: the window's too.
#define IDI_TARVELLO 1
