#include "creatures.h"
const Creature kCreatureSkeleton = kCreatureZombie, kCreatureKnight = kCreatureZombie, kCreatureOgre = kCreatureZombie, kCreatureClown = kCreatureZombie, kCreatureMummy = kCreatureZombie, kCreatureScarecrow = kCreatureZombie;
