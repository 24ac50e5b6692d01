#pragma once
// The style sheet and the script every page of a published site shares,
// written beside the index: nothing is fetched from elsewhere.
#include <string>

const std::string& SiteStyleSheet();
const std::string& SiteScript();
