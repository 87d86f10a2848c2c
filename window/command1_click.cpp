// Command1_Click, the draw action, in four statements: hide each of the
// twenty cards of Image2 in turn; reseed the generator; draw a card index,
// the whole part of the next random number times 20, into DrawnIndex; and
// give the picture of the card at that index to Image2's display slot.
//
// Each statement keeps its object references in the frame's temporaries and
// releases them when it ends; every call on a control is tested at once.
#include <cfenv>
#include <string_view>
#include <utility>

#include "form1.h"
#include "services.h"

namespace tarvel {

namespace {

using namespace runtime;

// The working state of one run: six object temporaries and one variant,
// empty on entry and empty again when the procedure is left.
struct Frame {
  ControlArray* cardArray = nullptr;
  Image* cardMember = nullptr;
  Picture* pictureRead = nullptr;
  ControlArray* slotArray = nullptr;
  Image* slotMember = nullptr;
  Picture* pictureAssigned = nullptr;
  Variant variant;
};

// The test after a call on a control: the floating-point flags are cleared,
// then a failing status raises its run-time error.
void Test(Status status, Object* called, const Guid& iid, std::string_view operation) {
  std::feclearexcept(FE_ALL_EXCEPT);
  if (Failed(status)) __vbaHresultCheckObj(status, called, iid, operation);
}

void TestFloatingPoint() {
  if (FPFault()) __vbaFPException();
}

}  // namespace

Status Command1_Click(Form1* me) {
  Frame t;
  me->AddRef();
  __vbaExceptHandler handler(
      [&] {
        __vbaFreeObjList(6, &t.cardArray, &t.cardMember, &t.pictureRead, &t.slotArray,
                         &t.slotMember, &t.pictureAssigned);
        __vbaFreeVar(&t.variant);
      },
      [&] { me->Release(); });

  // Hide the cards, one by one in ascending order.
  for (std::int16_t i = 0; i < Form1::kCards; ++i) {
    __vbaObjSet(&t.cardArray, me->Image2());
    Test(t.cardArray->Item(i, &t.cardMember), t.cardArray, kControlArrayIid, "Item");
    Test(t.cardMember->put_Visible(false), t.cardMember, kImageIid, "Visible");
    __vbaFreeObjList(2, &t.cardArray, &t.cardMember);
  }

  // Reseed the generator from the system timer.
  t.variant = Variant::Missing();
  Randomize(&t.variant);
  __vbaFreeVar(&t.variant);

  // Draw: the whole part of the next random number times 20.
  t.variant = Variant::Missing();
  const volatile double scaled = Rnd(&t.variant) * 20.0;
  TestFloatingPoint();
  const volatile double whole = __vbaFPInt(scaled);
  TestFloatingPoint();
  me->DrawnIndex = __vbaFpI2(whole);
  __vbaFreeVar(&t.variant);

  // Show the drawn card: its picture goes to the display slot.
  __vbaObjSet(&t.slotArray, me->Image2());
  Test(t.slotArray->Item(Form1::kDisplaySlot, &t.slotMember), t.slotArray, kControlArrayIid, "Item");
  __vbaObjSet(&t.cardArray, me->Image2());
  Test(t.cardArray->Item(me->DrawnIndex, &t.cardMember), t.cardArray, kControlArrayIid, "Item");
  Test(t.cardMember->get_Picture(&t.pictureRead), t.cardMember, kImageIid, "Picture");
  __vbaObjSet(&t.pictureAssigned, std::exchange(t.pictureRead, nullptr));
  Test(t.slotMember->put_Picture(t.pictureAssigned), t.slotMember, kImageIid, "Picture");
  __vbaFreeObjList(5, &t.cardArray, &t.cardMember, &t.slotArray, &t.pictureAssigned, &t.slotMember);

  return 0;
}

}  // namespace tarvel
