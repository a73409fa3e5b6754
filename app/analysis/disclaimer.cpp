#include "analysis/disclaimer.h"

namespace tavrel {

std::string disclaimerText() {
    return std::string(
               "DISCLAIMER: This software is intended for preliminary evaluation of the dowel "
               "bar selection process only.  It should not be used for design purposes.  ") +
           kAssociationName + ", " + kMakerName + " and " + kPartnerName +
           " cannot guarantee the accuracy of the calculations made herein.";
}

}  // namespace tavrel
