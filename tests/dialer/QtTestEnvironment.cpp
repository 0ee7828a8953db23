// The Qt application, screen metrics and throw-away program folder the window tests need.
#include "output/QtTestEnvironment.cpp"
