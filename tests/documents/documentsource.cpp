#include "documentsource.h"

#include <fstream>
#include <sstream>

namespace dryfriction::test {

std::string documentSource(const std::string& name)
{
    std::ifstream in(std::string(DRYFRICTION_DOC_SOURCE_DIR) + "/" + name + ".md", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace dryfriction::test
