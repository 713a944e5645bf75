#pragma once
// The messages of smart copy, with their exact texts.

#include <string>

#include "platform/user_messages.h"

namespace qf {

Message NothingToCopyMessage();                                    // 0262
Message NoResultRowsMessage();                                     // 0233
Message EmptyDestinationMessage();                                 // 0234
Message CreateDestinationQuestion();                               // 0235
Message DestinationMissingMessage();                               // 0236
Message NotEnoughSpaceMessage();                                   // 0240, error
Message CopyOntoItselfMessage();                                   // 0249
Message ClearDestinationQuestion(const std::string& destination);  // 0240, question
Message CopyEndedMessage(int replaced = 0);                        // 0237, with copies replaced in the run
Message NamesExhaustedMessage();                                   // 0238
Message ExtensionsExhaustedMessage();                              // 0239
Message DestinationListedMessage();                                // 0232

}  // namespace qf
