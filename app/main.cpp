// tarvo: the calculator window.
#include "CalculatorProgram.h"

int main(int argc, char** argv) {
    return tarvo::RunCalculator(argc, argv);
}
