// dqx-pack: builds one template package from its sources, for the build.
//   dqx-pack COMMON_FOLDER SOURCE.xml OUTPUT
#include "platform/text/TextFile.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/TemplateBuilder.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: dqx-pack COMMON_FOLDER SOURCE.xml OUTPUT\n";
        return 2;
    }
    try {
        std::string bytes = wordproc::buildTemplate({argv[1], argv[2]});
        text::writeBinaryFileAtomically(argv[3], bytes);
    } catch (const wordproc::Error& error) {
        std::cerr << "dqx-pack: " << error.what() << '\n';
        return 1;
    } catch (const text::FileError& error) {
        std::cerr << "dqx-pack: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
