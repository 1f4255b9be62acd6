;;; shtamp.lsp - основная надпись 185 x 55 в правом нижнем углу рамки.

(defun shtamp (/ m p x y)
  (setq m (lib_param_real "Масштаб" 1.0))
  (if (setq p (cond (*LIB_FORMAT_CORNER*)
                    ((getpoint "\nПравый нижний угол рамки: "))))
    (progn
      (lib_layer "ФОРМАТ" 7)
      (setq x (car p) y (cadr p))
      (lib_rect (list (- x (* m 185)) y) (list x (+ y (* m 55))))
      (command "_.LINE" (list (- x (* m 120)) y) (list (- x (* m 120)) (+ y (* m 55))) "")
      (foreach dy '(15 40)
        (command "_.LINE" (list (- x (* m 120)) (+ y (* m dy))) (list x (+ y (* m dy))) ""))
      (lib_text (list (- x (* m 60)) (+ y (* m 47.5))) (* m 5)
                (getstring t "\nОбозначение документа: "))
      (lib_text (list (- x (* m 60)) (+ y (* m 27.5))) (* m 3.5)
                (getstring t "\nНаименование: "))
      (princ "\nОсновная надпись заполнена.")))
  (princ))

(princ)
