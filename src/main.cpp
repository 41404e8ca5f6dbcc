#include "app/program.h"

int main(int argc, char* argv[]) { return kx700::RunProgram(argc, argv); }
