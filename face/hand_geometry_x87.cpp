// The hands' outlines once more, built for the x87 unit alone: for
// processors without SSE2, and for Windows 95, which never enables it. A
// product that falls next to a whole number may land a pixel otherwise
// than the SSE2 build's. Only ComputeHandsX87 is used from this copy.
#define ComputeHands ComputeHandsX87
#define DesignLengths DesignLengthsX87
#include "face/hand_geometry.cpp"
