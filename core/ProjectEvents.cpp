#include "core/ProjectEvents.h"

ProjectEvents &ProjectEvents::instance()
{
    static ProjectEvents events;
    return events;
}
