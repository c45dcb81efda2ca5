// Velmora: a voice-analysis program for speech and voice therapists.
#include "app/startup.h"

int main(int argc, char** argv) { return velmora::runVelmora(argc, argv); }
