#include "editor/app/application.h"

int main(int argc, char** argv) {
    return rivetbench::app::runRivetbench(argc, argv);
}
