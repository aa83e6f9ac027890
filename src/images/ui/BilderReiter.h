#pragma once

// Makes every competition dialog show the images tab (WettbewerbBilderWidget); called once
// at start-up.
namespace BilderReiter {
void registriere();
}
