#include "resources/resources.h"

#include <QtCore/qglobal.h>

static void initResourcesOutsideNamespace() { Q_INIT_RESOURCE(resources); }

namespace velmora::resources {

void initialise() { initResourcesOutsideNamespace(); }

} // namespace velmora::resources
