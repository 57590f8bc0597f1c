#include "resources/resources.h"

#include <QtCore/qglobal.h>

static void initResourcesOutsideNamespace() {
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(authoring);
}

namespace velmora::resources {

void initialise() { initResourcesOutsideNamespace(); }

} // namespace velmora::resources
